#include "common/messages.h"

#include <QMessageBox>

#include <utility>

namespace zq {
namespace {

MessageHandler &installedHandler() {
    static MessageHandler handler;
    return handler;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer showMessageBox(QWidget *parent, const Message &message) {
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(message.icon), message.caption, message.text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int pressed = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace

MessageAnswer ShowMessage(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons, const QString &caption) {
    const Message message{text, icon, buttons, caption};
    if (const MessageHandler &handler = installedHandler())
        return handler(parent, message);
    return showMessageBox(parent, message);
}

MessageHandler setMessageHandler(MessageHandler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}

} // namespace zq
