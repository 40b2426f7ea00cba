#pragma once

#include "platform/areadetrabalho.h"
#include "platform/perguntador.h"
#include "app/reinicio.h"
#include "platform/servicos.h"
#include "device/volumes.h"

#include <QApplication>
#include <QList>
#include <QMessageBox>

// Answers the program's questions from a script and records everything it
// was asked or told, as "title | text".
class PerguntadorTeste : public Perguntador
{
public:
    bool aceitar = true;       // the item choice
    QString item;
    QList<bool> respostas;     // "Sim" for true; an empty queue answers "Não"
    QList<QString> pastas;     // folder and file dialogs; an empty queue cancels
    QList<QString> textos;     // texts typed in; an empty queue cancels
    QStringList perguntas;
    QStringList mensagens;

    bool escolherItem(QWidget *, const QString &titulo, const QString &rotulo,
                      const QStringList &itens, QString *escolhido) override
    {
        perguntas << titulo + " | " + rotulo + " | " + itens.join(',');
        if (aceitar)
            *escolhido = item;
        return aceitar;
    }
    // The button Enter presses is in brackets when it is "Não".
    bool perguntar(QWidget *, const QString &titulo, const QString &texto, const QString &sim,
                   const QString &nao, Padrao padrao) override
    {
        perguntas << titulo + " | " + texto + " | " + sim + "/" + (padrao == Padrao::Nao ? "[" + nao + "]" : nao);
        return !respostas.isEmpty() && respostas.takeFirst();
    }
    void informar(QWidget *, const QString &titulo, const QString &texto) override
    {
        mensagens << titulo + " | " + texto;
    }
    QString escolherPasta(QWidget *, const QString &legenda, const QString &) override
    {
        perguntas << legenda;
        return pastas.isEmpty() ? QString() : pastas.takeFirst();
    }
    bool pedirTexto(QWidget *, const QString &titulo, const QString &, QString *texto) override
    {
        perguntas << titulo;
        if (textos.isEmpty())
            return false;
        *texto = textos.takeFirst();
        return true;
    }
    QString escolherArquivoParaAbrir(QWidget *, const QString &legenda, const QString &inicio,
                                     const QString &) override
    {
        return escolherPasta(nullptr, legenda + " | " + inicio, {});
    }
    QString escolherArquivoParaSalvar(QWidget *, const QString &legenda, const QString &inicio,
                                      const QString &) override
    {
        return escolherPasta(nullptr, legenda + " | " + inicio, {});
    }
};

class VolumesTeste : public FonteVolumes
{
public:
    QList<Volume> lista;
    QList<Volume> volumes() const override { return lista; }

    static Volume instrumento(const QString &raiz, bool somenteLeitura = false)
    {
        return {"KT9400", raiz, true, true, somenteLeitura};
    }
    static Volume sistema() { return {"", "/", true, true, false}; }
};

class AreaDeTrabalhoTeste : public AreaDeTrabalho
{
public:
    QList<QUrl> abertas;
    bool temPrograma = true; // false: the desktop opens nothing
    bool abrirUrl(const QUrl &url) override
    {
        abertas << url;
        return temPrograma;
    }
};

class ReinicioTeste : public Reinicio
{
public:
    QStringList pedidos; // "program | arguments"
    void reiniciar(const QString &programa, const QStringList &argumentos) override
    {
        pedidos << programa + " | " + argumentos.join(' ');
    }
};

// All of them, for building windows.
struct ServicosTeste {
    PerguntadorTeste perguntador;
    VolumesTeste volumes;
    AreaDeTrabalhoTeste area;
    ReinicioTeste reinicio;
    Servicos servicos() { return {&perguntador, &volumes, &area, &reinicio}; }
};

// Closes the message and progress boxes a test left open.
inline void fecharCaixas()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(w))
            delete w;
    }
}
