#pragma once

// What every benchmark measures with: medians of several runs, and whole
// child processes for wall time and peak memory (RSS), so that a
// baseline (`cat`, `wc -l`) and the program are measured alike.

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QVector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace Medicao {

inline double mediana(QVector<double> v)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const int n = int(v.size());
    return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}

// Median wall time of `vezes` runs of `f`, in milliseconds.
template<typename F> double msMediana(int vezes, F f)
{
    QVector<double> tempos;
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        tempos << t.nsecsElapsed() / 1e6;
    }
    return mediana(tempos);
}

struct Processo {
    double ms = 0;     // wall time, start to exit
    double picoMb = 0; // peak resident memory of the whole process
    int status = -1;
    QByteArray saida;  // what it wrote on its standard output
};

// Runs a program to its end with its standard output in `saida` (or
// discarded), and its own peak memory from wait4.
inline Processo executar(const QString &programa, const QStringList &args, bool guardarSaida = false)
{
    char modelo[] = "/tmp/kt9400-bench-XXXXXX";
    const int arquivo = guardarSaida ? mkstemp(modelo) : open("/dev/null", O_WRONLY);
    std::vector<QByteArray> partes{programa.toLocal8Bit()};
    for (const QString &a : args)
        partes.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &p : partes)
        argv.push_back(p.data());
    argv.push_back(nullptr);
    Processo r;
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(arquivo, 1);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage uso{};
    wait4(pid, &status, 0, &uso);
    r.ms = t.nsecsElapsed() / 1e6;
    r.picoMb = uso.ru_maxrss / 1024.0;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    close(arquivo);
    if (guardarSaida) {
        QFile f(QString::fromLocal8Bit(modelo));
        if (f.open(QIODevice::ReadOnly))
            r.saida = f.readAll();
        f.remove();
    }
    return r;
}

// The median of `vezes` runs; its peak memory is the largest seen.
inline Processo executarMediana(int vezes, const QString &programa, const QStringList &args)
{
    QVector<double> tempos;
    Processo r;
    for (int i = 0; i < vezes; ++i) {
        const Processo p = executar(programa, args);
        tempos << p.ms;
        r.picoMb = std::max(r.picoMb, p.picoMb);
        r.status = p.status;
    }
    r.ms = mediana(tempos);
    return r;
}

// The peak memory of this process so far.
inline double picoProprioMb()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss / 1024.0;
}

// The longest wait of a 20 ms timer on the window's thread while it lives:
// how long the window went without painting.
class VigiaPintura
{
public:
    VigiaPintura()
    {
        QObject::connect(&relogio, &QTimer::timeout, [this] {
            maior = std::max(maior, desdeUltimo.nsecsElapsed() / 1e6);
            desdeUltimo.restart();
        });
        relogio.start(20);
        desdeUltimo.start();
    }
    double lacuna() const { return std::max(maior, desdeUltimo.nsecsElapsed() / 1e6); }

private:
    QTimer relogio;
    QElapsedTimer desdeUltimo;
    double maior = 0;
};

} // namespace Medicao
