#include "fun_Dbl_Format2.h"

#include "number_text.h"

std::string fun_Dbl_Format2(double x, int16_t w, int16_t d)
{
    return number_text::format(x, w, d, number_text::Grouping::Plain);
}
