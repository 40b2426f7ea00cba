#include "data/perfillaudo.h"

#include "data/arquivochaves.h"

#include <QDir>
#include <QFileInfo>

namespace {

template <typename P, typename F>
void campos(P &p, F &&f)
{
    f(QStringLiteral("titulo_1"), p.titulo1);
    f(QStringLiteral("registro_1"), p.registro1);
    f(QStringLiteral("titulo_2"), p.titulo2);
    f(QStringLiteral("registro_2"), p.registro2);
    f(QStringLiteral("cnpj"), p.cnpj);
    f(QStringLiteral("cidade"), p.cidade);
    f(QStringLiteral("logotipo"), p.logotipo);
}

} // namespace

QString PerfilLaudo::arquivo(const QString &pastaPerfil)
{
    return QDir(pastaPerfil).filePath(QStringLiteral("perfil_laudo.id"));
}

bool PerfilLaudo::ler(const QString &pastaPerfil, PerfilLaudo *p, QString *erro)
{
    *p = PerfilLaudo();
    ArquivoChaves a;
    QString motivo;
    if (!a.ler(arquivo(pastaPerfil), &motivo)) {
        if (erro)
            *erro = motivo;
        return motivo.isEmpty();
    }
    campos(*p, [&](const QString &chave, QString &campo) { campo = a.valor(chave); });
    return true;
}

Desfecho PerfilLaudo::gravar(const QString &pastaPerfil) const
{
    ArquivoChaves a;
    campos(*this, [&](const QString &chave, const QString &campo) { a.definir(chave, campo); });
    return a.gravar(arquivo(pastaPerfil));
}

QString PerfilLaudo::caminhoLogotipo(const QString &pastaPerfil) const
{
    // Only a name, never a path out of the folder.
    const QString nome = QFileInfo(logotipo).fileName();
    if (nome.isEmpty())
        return QString();
    const QString caminho = QDir(pastaPerfil).filePath(nome);
    return QFileInfo(caminho).isFile() ? caminho : QString();
}
