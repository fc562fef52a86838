#pragma once
// The messages every calculation screen shares.

#include "runtime_error.h"

class QWidget;

namespace bas_DAVURedav {

// The shared error dialog: "ｴﾗｰ番号  11  ｴﾗｰが発生しました。", two line breaks and
// the error's description, titled "ｴﾗｰ", with the error icon. Sets ErrFlag to 1.
void showErrorDialog(QWidget* parent, const RuntimeError& error);

// The no-intersection message "交点が存在しませんでした。", titled "エラー".
void showNoIntersection(QWidget* parent);

} // namespace bas_DAVURedav
