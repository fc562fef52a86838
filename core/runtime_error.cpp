#include "runtime_error.h"

RuntimeError::RuntimeError(Number number)
    : std::runtime_error(descriptionOf(number)), number_(number), description_(descriptionOf(number))
{
}

std::string RuntimeError::descriptionOf(Number number)
{
    switch (number) {
    case InvalidArgument:
        return "プロシージャの呼び出し、または引数が不正です。";
    case Overflow:
        return "オーバーフローしました。";
    case DivisionByZero:
        return "0 で除算しました。";
    case TypeMismatch:
        return "型が一致しません。";
    }
    return "アプリケーション定義またはオブジェクト定義のエラーです。";
}
