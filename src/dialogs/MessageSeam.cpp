#include "dialogs/MessageSeam.h"

#include "common/NumberFormat.h"
#include "dialogs/WidgetMessages.h"

namespace {

Messages *installedMessages = nullptr;

} // namespace

bool InputBoxAnswer::isConfirmed() const
{
    return !sInputBoxVal.isEmpty() && parseDecimalText(iInputBoxResult).value_or(0) >= 1;
}

Messages &messages()
{
    static WidgetMessages realWindows;
    return installedMessages ? *installedMessages : realWindows;
}

ScopedMessages::ScopedMessages(Messages &replacement)
    : m_previous(installedMessages)
{
    installedMessages = &replacement;
}

ScopedMessages::~ScopedMessages()
{
    installedMessages = m_previous;
}
