#pragma once

class QString;
class QWidget;

namespace bas_ZORERoderidHelp {

// The help message: where the manual and support are found.
void ShowHelp(QWidget* parent);

// Its text, lines joined by CR LF.
QString helpText();

} // namespace bas_ZORERoderidHelp
