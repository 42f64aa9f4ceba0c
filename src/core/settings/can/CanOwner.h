#pragma once

// Which device's custom CAN settings an object belongs to; the default identifiers differ.
enum class CanOwner { Dash, Pdm };
