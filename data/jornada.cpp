#include "data/jornada.h"

#include "data/arquivochaves.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString chaveTarefa = QStringLiteral("tarefa");

template <typename J, typename F>
void campos(J &j, F &&f)
{
    f(QStringLiteral("trabalhador"), j.trabalhador);
    f(QStringLiteral("funcao"), j.funcao);
    f(QStringLiteral("setor"), j.setor);
    f(QStringLiteral("data"), j.data);
}

} // namespace

QString Jornada::pasta(const QString &raizArmazem)
{
    return QDir(raizArmazem).filePath(QStringLiteral("Jornadas"));
}

QString Jornada::arquivo(const QString &raizArmazem, const QString &nome)
{
    return QDir(pasta(raizArmazem)).filePath(nome + QStringLiteral(".id"));
}

bool Jornada::ehArquivoDeJornada(const QString &caminho)
{
    const QFileInfo f(caminho);
    return f.isFile() && !f.isSymLink() && f.suffix() == QLatin1String("id")
        && f.absoluteDir().dirName() == QLatin1String("Jornadas");
}

QString Jornada::armazemDe(const QString &arquivo)
{
    return QFileInfo(QFileInfo(arquivo).absolutePath()).absolutePath();
}

bool Jornada::ler(const QString &arquivo, Jornada *j, QString *erro)
{
    *j = Jornada();
    j->nome = QFileInfo(arquivo).completeBaseName();
    ArquivoChaves a;
    if (!a.ler(arquivo, erro))
        return false;
    campos(*j, [&](const QString &chave, QString &campo) { campo = a.valor(chave); });
    for (const QStringList &v : a.todas(chaveTarefa))
        j->tarefas.append({v.value(0).trimmed(), v.value(1).trimmed(), v.value(2).trimmed()});
    return true;
}

Desfecho Jornada::gravar(const QString &arquivo) const
{
    ArquivoChaves a;
    campos(*this, [&](const QString &chave, const QString &campo) { a.definir(chave, campo); });
    for (const Tarefa &t : tarefas)
        a.acrescentar(chaveTarefa, {t.referencia, t.repeticoes, t.tempoMedio});
    return a.gravar(arquivo);
}
