#pragma once

#include <QFont>

// The fixed-pitch Japanese font of result fields and lists: "ＭＳ ゴシック" where
// it is installed, IPAGothic elsewhere, at a pixel size where a double-byte
// character is exactly two single-byte columns wide, so result columns line up.
QFont fixedFont();
