#pragma once

#include "arquivos.h"
#include "data/layoutmedida.h"
#include "device/simuladorinstrumento.h"
#include "evaluation/calculoexposicao.h"

#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

// A simulated instrument volume and an empty local store side by side.
struct BancadaTeste {
    QTemporaryDir dir;
    QString volume;
    QString dados; // ends in "/DATA/", as the main window forms it
    QString armazem; // ends in "/"

    explicit BancadaTeste(int medidas = 3, int amostras = 20)
    {
        volume = dir.filePath("KT9400");
        dados = volume + "/DATA/";
        armazem = dir.filePath("app/Z2registros") + "/";
        QDir().mkpath(armazem);
        OpcoesSimulacao o;
        o.medidas = medidas;
        o.amostras = amostras;
        QString erro;
        simularInstrumento(volume, o, &erro);
    }

    QString id() const { return "KT" + lerBytes(dados + "Crv_vib.cfg").split(';').at(1).mid(2); }

    // The instrument's measurements moved into the store, each evaluated as
    // a download evaluates it; their folders there, oldest first.
    QStringList levarAoArmazem() const
    {
        QStringList medidas;
        for (const QString &m : LayoutMedida::medidas(dados)) {
            medidas << armazem + LayoutMedida::nomePasta(m);
            QDir().rename(m, medidas.last());
            CalculoExposicao::avaliarMedida(medidas.last());
        }
        return medidas;
    }
};

// Every file below a folder with its bytes, by path relative to it.
inline QMap<QString, QByteArray> conteudoDe(const QString &raiz)
{
    QMap<QString, QByteArray> arquivos;
    QDirIterator it(raiz, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString c = it.next();
        // A pipe would block the read; a link is told by where it leads.
        const QFileInfo info(c);
        const QByteArray bytes = info.isSymLink() ? "-> " + QFile::encodeName(info.symLinkTarget())
                                 : info.isFile()   ? lerBytes(c)
                                                   : QByteArray("<special>");
        arquivos.insert(QDir(raiz).relativeFilePath(c), bytes);
    }
    return arquivos;
}

// Every folder below a folder, hidden ones included.
inline QStringList pastasDe(const QString &raiz)
{
    QStringList pastas;
    QDirIterator it(raiz, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        pastas << QDir(raiz).relativeFilePath(it.next());
    pastas.sort();
    return pastas;
}

// kt9400-cli run as the user runs it: its exit status (-1 when it crashed)
// and what it printed on each stream.
struct ExecucaoCli {
    int status = -1;
    QByteArray saida;
    QByteArray erros;
};

inline ExecucaoCli executarCli(const QStringList &args, const QString &programa = QStringLiteral(KT_CLI),
                               const QString &saidaPara = QString())
{
    QProcess p;
    if (!saidaPara.isEmpty())
        p.setStandardOutputFile(saidaPara);
    p.start(programa, args);
    p.waitForFinished(120000);
    ExecucaoCli e;
    e.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    e.saida = p.readAllStandardOutput();
    e.erros = p.readAllStandardError();
    return e;
}
