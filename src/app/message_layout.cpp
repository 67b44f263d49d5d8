// Looks and button layout of the message dialog.
#include "app/message_layout.h"

namespace velmar {

MessageKindLook messageKindLook(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return {QStringLiteral("Atentie !"), 0xB7B18A, 0x383623, false};
    case MessageKind::Information:
        return {QStringLiteral("Informatie"), 0xE1DEFA, 0x0000BB, false};
    case MessageKind::Confirmation:
        return {QStringLiteral("Confirmare"), 0x81A2D3, 0x365F9C, false};
    case MessageKind::Error:
        break;
    }
    return {QStringLiteral("Eroare"), 0xFFD5D5, 0xFF0000, true};
}

const std::array<MessageButtonInfo, 4>& messageButtons()
{
    static const std::array<MessageButtonInfo, 4> buttons{{
        {MessageButton::Yes, QStringLiteral("&Da"), MessageResult::Yes},
        {MessageButton::No, QStringLiteral("&Nu"), MessageResult::No},
        {MessageButton::Cancel, QStringLiteral("&Renunt"), MessageResult::Cancel},
        {MessageButton::Ok, QStringLiteral("&OK"), MessageResult::Ok},
    }};
    return buttons;
}

int messageButtonLeft(int count, int rank)
{
    // 73 = button width plus one pixel, so neighbouring buttons never touch.
    constexpr int pitch = kMessageButtonWidth + 1;
    const int gap = (kMessageBandWidth - pitch * count) / (count + 1);
    return rank * (gap + pitch) - pitch;
}

QString messageBodyText(const QString& text)
{
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return body;
}

}  // namespace velmar
