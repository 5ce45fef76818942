#include "app/TerminationNotifier.h"

#include "app/Logging.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write to a descriptor: the rest happens in the event loop.
int s_fds[2] = {-1, -1};
constexpr int watchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int number)
{
    const unsigned char byte = static_cast<unsigned char>(number);
    const ssize_t written = ::write(s_fds[0], &byte, 1);
    (void)written; // a full pipe already holds a request
}

} // namespace

TerminationNotifier::TerminationNotifier(QObject *parent)
    : QObject(parent)
{
    if (s_fds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_fds) != 0) {
        qCWarning(lcApp) << "termination signals are not watched";
        return;
    }
    m_notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationNotifier::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : watchedSignals)
        ::sigaction(number, &action, nullptr);
}

TerminationNotifier::~TerminationNotifier()
{
    if (!m_notifier)
        return;
    for (const int number : watchedSignals)
        std::signal(number, SIG_DFL);
    delete m_notifier;
    ::close(s_fds[0]);
    ::close(s_fds[1]);
    s_fds[0] = s_fds[1] = -1;
}

void TerminationNotifier::readSignal()
{
    unsigned char byte = 0;
    while (::read(s_fds[1], &byte, 1) == 1)
        Q_EMIT terminationRequested(int(byte));
}
