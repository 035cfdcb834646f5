#pragma once

#include <QApplication>

#include <memory>

namespace kalvado::test {

// The application for programs that drive the real window without a
// screen: Qt's offscreen platform unless the caller chose another.
inline std::unique_ptr<QApplication> makeOffscreenApplication(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("Kalvado");
    return app;
}

} // namespace kalvado::test
