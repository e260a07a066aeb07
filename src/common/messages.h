#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zq {

// Caption of every message box that names no caption of its own.
inline const QString ApplicationTitle = QStringLiteral("Zentiqua");

enum class MessageIcon { Information, Critical, None };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    QString caption = ApplicationTitle;
};

// Shows a modal message box and returns the button pressed.
MessageAnswer ShowMessage(QWidget *parent, const QString &text,
                          MessageIcon icon = MessageIcon::Information,
                          MessageButtons buttons = MessageButtons::Ok,
                          const QString &caption = ApplicationTitle);

// Replaces the message box (tests record and answer messages); an empty handler restores the
// real box. Returns the handler that was in place.
using MessageHandler = std::function<MessageAnswer(QWidget *parent, const Message &message)>;
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace zq
