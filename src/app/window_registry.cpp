#include "app/window_registry.h"

#include "app/about.h"
#include "app/main_window.h"
#include "app/windows_run_time.h"

#include <array>

namespace zq {
namespace {

using Factory = QWidget *(*)(QWidget *parent);

struct Registration {
    const char *name;
    Factory create;
};

template <class Window> QWidget *make(QWidget *parent) {
    return new Window(parent);
}

constexpr std::array Registry = {
    Registration{"About", &make<About>},
    Registration{"Main", &make<Main>},
    Registration{"WindowsRunTime", &make<WindowsRunTime>},
};

} // namespace

QWidget *createWindow(const QString &windowName, QWidget *parent) {
    for (const Registration &entry : Registry)
        if (windowName == QLatin1String(entry.name))
            return entry.create(parent);
    return nullptr;
}

QStringList windowNames() {
    QStringList names;
    for (const Registration &entry : Registry)
        names << QString::fromLatin1(entry.name);
    return names;
}

} // namespace zq
