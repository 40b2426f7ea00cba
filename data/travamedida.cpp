#include "data/travamedida.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

TravaMedida::TravaMedida(const QString &pasta, Modo modo)
{
#ifdef Q_OS_UNIX
    // A folder that cannot be opened cannot be read or changed either: the
    // work that follows meets that itself and says so.
    descritor = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int operacao = modo == Modo::Compartilhada ? LOCK_SH
        : modo == Modo::Exclusiva                    ? LOCK_EX
                                                     : LOCK_EX | LOCK_NB;
    tem = descritor >= 0 && ::flock(descritor, operacao) == 0;
#else
    Q_UNUSED(pasta);
    Q_UNUSED(modo);
    tem = true;
#endif
}

TravaMedida::~TravaMedida()
{
#ifdef Q_OS_UNIX
    if (descritor >= 0)
        ::close(descritor);
#endif
}
