#pragma once

// A program that uses the windows with no one at the screen (benchmarks, the accessibility
// host): numbers in the point locale, saves into a folder of its own, every message answered
// at once, and no calculator, editor or browser really started.
#include "common/external_programs.h"
#include "common/messages.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QUrl>

struct Unattended {
    QTemporaryDir folder; // the tools' saves land here

    explicit Unattended(zq::MessageAnswer answer = zq::MessageAnswer::Ok) {
        QApplication::setQuitOnLastWindowClosed(false);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QDir::setCurrent(folder.path());
        zq::setMessageHandler([answer](QWidget *, const zq::Message &) { return answer; });
        zq::setExternalPrograms({[](const QString &, const QStringList &) { return true; },
                                 [](const QUrl &) { return true; }});
    }
};
