#pragma once

// What the tests of files that must never block share: a step run where a
// FIFO stuck in its way cannot hang the test.

#include <QDeadlineTimer>
#include <QFile>
#include <QString>
#include <QThread>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

namespace prueba {

// Runs `paso` on a thread of its own. One still running after two seconds is
// stuck opening `ruta` as a FIFO: a writer opened and closed there lets it go,
// and it counts as having blocked.
inline bool sinBloquear(const std::function<void()> &paso, const QString &ruta)
{
    std::unique_ptr<QThread> hilo(QThread::create(paso));
    hilo->start();
    if (hilo->wait(QDeadlineTimer(2000)))
        return true;
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0)
        ::close(fd);
    hilo->wait();
    return false;
}

} // namespace prueba
