#pragma once

// Makes the interface font (a condensed italic with Cyrillic, shipped in the resources) the
// application's default, so every text and control draws with it. Returns false when the font
// could not be loaded (the platform font is kept).
bool loadInterfaceFont();
