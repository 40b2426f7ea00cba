#pragma once

#include "arquivos.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

// Builds measurement folders for the tests, file by file.
class MedidaTeste
{
public:
    explicit MedidaTeste(const QString &pasta) : pasta(pasta)
    {
        QDir().mkpath(pasta);
    }

    QString arquivoExposicao() const
    {
        return pasta + '/' + QFileInfo(pasta).fileName() + ".id";
    }

    void exposicao(const QByteArray &conteudo) const
    {
        escreverBytes(arquivoExposicao(), conteudo);
    }

    // P/corpo or P/mao with its partial-exposure file P.id.
    QString parcial(const QString &p, const QString &corpo, const QByteArray &conteudo) const
    {
        const QString dir = pasta + '/' + p + '/' + corpo;
        QDir().mkpath(dir);
        escreverBytes(dir + '/' + p + ".id", conteudo);
        return dir;
    }

    // C.head, C.dat and C.res in a body folder; the newest component is
    // the one with the smallest age.
    static void componente(const QString &dir, const QString &nome, const QByteArray &dat,
                           const QByteArray &res, int idadeSegundos = 0)
    {
        const QDateTime quando = QDateTime::currentDateTime().addSecs(-idadeSegundos);
        for (const auto &[ext, conteudo] :
             {std::pair{".head", QByteArray("nome_componente;" + nome.toUtf8() + ";\n")},
              std::pair{".dat", dat}, std::pair{".res", res}}) {
            const QString caminho = dir + '/' + nome + ext;
            escreverBytes(caminho, conteudo);
            QFile f(caminho);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(quando, QFileDevice::FileModificationTime);
        }
    }

    const QString pasta;
};

// A partial-exposure file as the instrument writes it.
inline QByteArray parcialInstrumento(const char *nome, int repeticoes, const char *tempoExp,
                                     const char *total, const char *amostrado)
{
    return QByteArray("nome_exp_parcial;") + nome + ";\nnum_repeticao;"
        + QByteArray::number(repeticoes) + ";\ntempo_exp;" + tempoExp + ";\ntempo_exp_total;"
        + total + ";\ntempo_amostrado;" + amostrado + ";\n";
}

// Result file of a whole-body component.
inline QByteArray resultadoCorpo(double vx, double vy, double vz, double fx, double fy, double fz)
{
    return "vdvx(acc);" + QByteArray::number(vx) + ";\nvdvy(acc);" + QByteArray::number(vy)
        + ";\nvdvz(acc);" + QByteArray::number(vz) + ";\nFC_x;" + QByteArray::number(fx)
        + ";\nFC_y;" + QByteArray::number(fy) + ";\nFC_z;" + QByteArray::number(fz) + ";\n";
}

inline QByteArray dadosAmr(double amr)
{
    return "amr(acc);" + QByteArray::number(amr) + ";\nTempo;\n00:00:01;1;1;1;1;1;1;1;\n";
}
