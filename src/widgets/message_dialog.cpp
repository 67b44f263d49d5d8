// The message dialog.
#include "widgets/message_dialog.h"

#include "app/message_layout.h"
#include "ui_message_dialog.h"
#include "widgets/window_placement.h"

#include <QApplication>
#include <QColor>
#include <QStyle>
#include <vector>

namespace velmar {
namespace {

QStyle::StandardPixmap kindIcon(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageKind::Information:
        return QStyle::SP_MessageBoxInformation;
    case MessageKind::Confirmation:
        return QStyle::SP_MessageBoxQuestion;
    case MessageKind::Error:
        break;
    }
    return QStyle::SP_MessageBoxCritical;
}

QString bandStyle(const QString& band, const MessageKindLook& look)
{
    return QStringLiteral("QFrame#%1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %2, stop:1 %3); }")
        .arg(band, QColor(look.bandLeft).name(), QColor(look.bandRight).name());
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent) : QDialog(parent), ui_(std::make_unique<::Ui::MessageDialog>())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    buttons_ = {ui_->DaBut, ui_->NuBut, ui_->RenuntBut, ui_->OkBut};
    const auto& infos = messageButtons();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QPushButton* button = buttons_[i];
        const int result = infos[i].result;
        button->setText(infos[i].caption);
        button->resize(kMessageButtonWidth, button->height());
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    }
}

MessageDialog::~MessageDialog() = default;

int MessageDialog::Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind)
{
    ui_->Heading->setText(caption);
    ui_->Body->setText(messageBodyText(text));
    showKind(kind);
    if (placeButtons(buttons) == 0)
        return MessageResult::Cancel;
    centreOnScreen(this);
    return exec();
}

void MessageDialog::reject() { done(MessageResult::Cancel); }

void MessageDialog::showKind(MessageKind kind)
{
    const MessageKindLook look = messageKindLook(kind);
    setWindowTitle(look.title);
    ui_->Icon->setPixmap(style()->standardIcon(kindIcon(kind)).pixmap(ui_->Icon->size()));
    ui_->TopBand->setStyleSheet(bandStyle(ui_->TopBand->objectName(), look));
    ui_->BottomBand->setStyleSheet(bandStyle(ui_->BottomBand->objectName(), look));
    if (look.beeps)
        QApplication::beep();
}

// Shows the chosen buttons at their places on the band and returns how many there are.
int MessageDialog::placeButtons(int buttons)
{
    const auto& infos = messageButtons();
    std::vector<QPushButton*> shown;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool chosen = (buttons & infos[i].bit) != 0;
        buttons_[i]->setVisible(chosen);
        if (chosen)
            shown.push_back(buttons_[i]);
    }
    const int count = static_cast<int>(shown.size());
    for (int rank = 1; rank <= count; ++rank) {
        QPushButton* button = shown[rank - 1];
        button->move(messageButtonLeft(count, rank), button->y());
    }
    // Enter answers the first button shown.
    if (count > 0)
        shown.front()->setFocus();
    return count;
}

}  // namespace velmar
