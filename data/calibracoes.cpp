#include "data/calibracoes.h"

#include "data/arquivochaves.h"

#include <QDir>

namespace {

const QString chave = QStringLiteral("calibracao");
const QString formatoData = QStringLiteral("yyyy-MM-dd");

} // namespace

QString Calibracoes::arquivo(const QString &pastaPerfil)
{
    return QDir(pastaPerfil).filePath(QStringLiteral("calibracoes.id"));
}

QString Calibracoes::chaveTipo(Tipo t)
{
    switch (t) {
    case Tipo::Instrumento:
        return QStringLiteral("instrumento");
    case Tipo::Acelerometro:
        return QStringLiteral("acelerometro");
    case Tipo::Calibrador:
        break;
    }
    return QStringLiteral("calibrador");
}

bool Calibracoes::ler(const QString &pastaPerfil, Calibracoes *c, QString *erro)
{
    *c = Calibracoes();
    ArquivoChaves a;
    QString motivo;
    if (!a.ler(arquivo(pastaPerfil), &motivo)) {
        if (erro)
            *erro = motivo;
        return motivo.isEmpty();
    }
    for (const QStringList &v : a.todas(chave)) {
        Entrada e;
        for (const Tipo t : {Tipo::Instrumento, Tipo::Acelerometro, Tipo::Calibrador}) {
            if (v.value(0) == chaveTipo(t))
                e.tipo = t;
        }
        e.identidade = v.value(1);
        e.certificado = v.value(2);
        e.laboratorio = v.value(3);
        e.data = QDate::fromString(v.value(4), formatoData);
        e.validade = QDate::fromString(v.value(5), formatoData);
        c->entradas << e;
    }
    return true;
}

Desfecho Calibracoes::gravar(const QString &pastaPerfil) const
{
    ArquivoChaves a;
    for (const Entrada &e : entradas)
        a.acrescentar(chave, {chaveTipo(e.tipo), e.identidade, e.certificado, e.laboratorio,
                              e.data.toString(formatoData), e.validade.toString(formatoData)});
    return a.gravar(arquivo(pastaPerfil));
}

const Calibracoes::Entrada *Calibracoes::de(Tipo tipo, const QString &identidade) const
{
    const QString id = identidade.trimmed();
    for (const Entrada &e : entradas) {
        if (e.tipo == tipo && !id.isEmpty() && e.identidade.trimmed() == id)
            return &e;
    }
    return nullptr;
}
