#pragma once

#include <QString>

// What an operation that changes files did: done, refused (it was not the
// operation's to do), or failed, with "PATH: reason" of what failed.
struct Desfecho {
    enum class Estado { Feito, Recusado, Falhou };

    Estado estado = Estado::Feito;
    QString motivo;

    static Desfecho recusado() { return {Estado::Recusado, QString()}; }
    static Desfecho falhou(const QString &motivo) { return {Estado::Falhou, motivo}; }
    // Failed when `motivo` says why, done otherwise.
    static Desfecho de(const QString &motivo) { return motivo.isEmpty() ? Desfecho() : falhou(motivo); }

    bool feito() const { return estado == Estado::Feito; }
    explicit operator bool() const { return feito(); }
};
