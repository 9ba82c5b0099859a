#include "editor/band_list.h"

namespace ft817 {

QString bandListText(std::uint32_t frequency)
{
    QString text;
    if (frequency < 10000000u)
        text += ' ';
    if (frequency < 1000000u)
        text += ' ';
    text += ' ';
    text += QString::number(frequency);
    return text;
}

} // namespace ft817
