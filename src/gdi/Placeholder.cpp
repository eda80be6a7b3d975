// Removed once the graphics device interface has sources of its own.
