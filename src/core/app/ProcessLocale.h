#pragma once

// Makes the "C" locale the process default, so that every number-to-text and text-to-number
// conversion uses "." and no group separators, whatever the user's system language.
void applyProcessLocale();
