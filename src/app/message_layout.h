// What the message dialog shows for a kind and a button set: titles, band colours, buttons and where they sit.
#pragma once

#include "app/interaction.h"

#include <QString>
#include <array>
#include <cstdint>

namespace velmar {

// Title of the balloon notice for a wrong or missing input.
inline const QString kProblemTitle = QStringLiteral("Problema !");

struct MessageKindLook {
    QString title;
    std::uint32_t bandLeft;  // 0xRRGGBB; the bands fade from left to right
    std::uint32_t bandRight;
    bool beeps;
};

// Any value outside the enum looks like an error, as old callers passed raw numbers.
MessageKindLook messageKindLook(MessageKind kind);

struct MessageButtonInfo {
    int bit;  // MessageButton value
    QString caption;
    int result;  // MessageResult value
};

// In the order they appear on the band: Da, Nu, Renunt, OK.
const std::array<MessageButtonInfo, 4>& messageButtons();

inline constexpr int kMessageButtonWidth = 72;
inline constexpr int kMessageBandWidth = 342;

// Left edge on the band of the rank-th (1-based) of `count` shown buttons: equal gaps around them.
int messageButtonLeft(int count, int rank);

// Texts arrive with "\r\n" or a lone "\r" between lines; the dialog breaks lines on "\n" only.
QString messageBodyText(const QString& text);

}  // namespace velmar
