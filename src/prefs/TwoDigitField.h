#pragma once

#include <QString>

// The two-character number fields of stored texts: a single character gets one "0" in
// front ("3" -> "03"); longer texts such as "-1" (nothing selected) stay as they are.
inline QString twoDigitField(int value)
{
    const QString text = QString::number(value);
    return text.size() == 1 ? u'0' + text : text;
}
