#pragma once

#include <QPixmap>

// Tillmate's logo and window icon, drawn in code so the program ships no image files.
QPixmap DrawLogo(int width, int height);
QPixmap DrawIcon();
