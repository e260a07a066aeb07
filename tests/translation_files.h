#pragma once

// The translation files as the translators leave them, read for the tests.
#include <QFile>
#include <QMultiHash>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

inline QString translationFile(const QString &language) {
    return QStringLiteral(ZQ_TRANSLATIONS_DIR "/zentiqua_%1.ts").arg(language);
}

struct Message {
    QString context, source;
    bool numerus = false, finished = true;
    QStringList translations; // one, or one for each plural form
};

inline QList<Message> messagesOf(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(fileName));
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message message{
                context, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", true, {}};
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    message.source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    const auto type = xml.attributes().value(QLatin1String("type"));
                    message.finished = type.isEmpty();
                    if (message.numerus) {
                        while (xml.readNextStartElement())
                            message.translations << xml.readElementText();
                    } else {
                        message.translations << xml.readElementText();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(fileName), qPrintable(xml.errorString()));
    return messages;
}

// Each English text with its translations into the language (in any context).
inline QMultiHash<QString, QString> translationsInto(const QString &language) {
    QMultiHash<QString, QString> translations;
    for (const Message &message : messagesOf(translationFile(language)))
        for (const QString &translation : message.translations)
            translations.insert(message.source, translation);
    return translations;
}

} // namespace
