#include "calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {
QStringList calculatorPrograms()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("/System/Applications/Calculator.app/Contents/MacOS/Calculator")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
#endif
}
} // namespace

bool startCalculator()
{
    for (const QString& program : calculatorPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return true;
    }
    return false;
}
