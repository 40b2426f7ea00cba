#include "arquivos.h"
#include "device/deteccao.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<Volume>)

using Aparencia = EstadoConexao::Aparencia;

// Finding the instrument among the mounted volumes, and its identity.
class TstDeteccao : public QObject
{
    Q_OBJECT

private:
    static Volume v(const QString &nome, const QString &raiz, bool pronto = true,
                    bool leitura = false)
    {
        return {nome, raiz, true, pronto, leitura};
    }

private slots:
    void verificar_data()
    {
        QTest::addColumn<QList<Volume>>("volumes");
        QTest::addColumn<bool>("conectado");
        QTest::addColumn<int>("aparencia");
        QTest::addColumn<QString>("caminho");
        QTest::addColumn<bool>("pendente");
        QTest::addColumn<int>("instrumentos");
        const Volume sis = v("", "/");
        const Volume kt = v("KT9400", "/media/KT9400");
        QTest::newRow("system first, instrument second")
            << QList<Volume>{sis, kt} << true << int(Aparencia::Conectada) << "/media/KT9400"
            << true << 1;
        QTest::newRow("instrument alone") << QList<Volume>{kt} << true << int(Aparencia::Conectada)
                                          << "/media/KT9400" << false << 1;
        QTest::newRow("instrument, then others ignored")
            << QList<Volume>{kt, sis} << true << int(Aparencia::Conectada) << "/media/KT9400"
            << false << 1;
        QTest::newRow("read-only instrument, then system")
            << QList<Volume>{v("KT9400", "/ro", true, true), sis} << false
            << int(Aparencia::Desconectada) << " " << true << 0;
        QTest::newRow("read-only instrument alone")
            << QList<Volume>{v("KT9400", "/ro", true, true)} << false << int(Aparencia::Inalterada)
            << "/ro" << false << 0;
        QTest::newRow("other capitals") << QList<Volume>{v("kt9400", "/k")} << false
                                        << int(Aparencia::Desconectada) << " " << true << 0;
        QTest::newRow("not ready") << QList<Volume>{v("KT9400", "/k", false)} << false
                                   << int(Aparencia::Desconectada) << " " << true << 0;
        QTest::newRow("no volumes") << QList<Volume>{} << false << int(Aparencia::Inalterada) << ""
                                    << false << 0;
        QTest::newRow("two instruments")
            << QList<Volume>{sis, kt, v("KT9400", "/media/outro")} << true
            << int(Aparencia::Conectada) << "/media/KT9400" << true << 2;
    }

    void verificar()
    {
        QFETCH(QList<Volume>, volumes);
        EstadoConexao anterior;
        anterior.atualizacaoPendente = false;
        const EstadoConexao e = Deteccao::verificar(volumes, anterior);
        QTEST(e.conectado, "conectado");
        QTEST(int(e.aparencia), "aparencia");
        QTEST(e.caminhoPenDrive, "caminho");
        QTEST(e.atualizacaoPendente, "pendente");
        QTEST(e.instrumentos, "instrumentos");
    }

    void identidade_data()
    {
        QTest::addColumn<QByteArray>("longo");
        QTest::addColumn<QByteArray>("curto");
        QTest::addColumn<QString>("id");
        QTest::newRow("long file") << QByteArray("idioma;pt;\nid_equipamento;KT555;\n")
                                   << QByteArray() << "KT555";
        QTest::newRow("short file, id_equip") << QByteArray() << QByteArray("id_equip;1234;\n")
                                              << "1234";
        QTest::newRow("both: the long one") << QByteArray("id_equip;A;\n")
                                            << QByteArray("id_equip;B;\n") << "A";
        QTest::newRow("first identity line") << QByteArray("id_equip;A;\nid_equipamento;B;\n")
                                             << QByteArray() << "A";
        QTest::newRow("no identity line") << QByteArray("idioma;pt;\n") << QByteArray() << "";
        QTest::newRow("no file") << QByteArray() << QByteArray() << "";
        QTest::newRow("binary") << QByteArray("\x01\xff;\x00\x00;\n", 8) << QByteArray() << "";
    }

    void identidade()
    {
        QFETCH(QByteArray, longo);
        QFETCH(QByteArray, curto);
        PastaTeste d;
        if (!longo.isEmpty())
            d.arquivo("Crv_vib.cfg", longo);
        if (!curto.isEmpty())
            d.arquivo("KT9400.cfg", curto);
        QTEST(Deteccao::lerIdentidade(d.path() + "/"), "id");
    }

    void configuracaoQueEhPasta()
    {
        PastaTeste d;
        QDir(d.path()).mkdir("Crv_vib.cfg");
        d.arquivo("KT9400.cfg", "id_equip;77;\n");
        QCOMPARE(Deteccao::arquivoConfiguracao(d.path()), d.path() + "/KT9400.cfg");
        QCOMPARE(Deteccao::lerIdentidade(d.path()), QString("77"));
    }

    void volumeSimulado()
    {
        PastaTeste d;
        qputenv("KT9400_VOLUME", d.path().toLocal8Bit());
        QList<Volume> lista = FonteVolumesSistema().volumes();
        QVERIFY(!lista.isEmpty());
        QCOMPARE(lista.first().nome, QString("KT9400"));
        QCOMPARE(lista.first().raiz, d.path());
        QVERIFY(lista.first().valido && lista.first().pronto && !lista.first().somenteLeitura);
        QVERIFY(Deteccao::verificar(lista, {}).conectado);

        qputenv("KT9400_VOLUME", d.filePath("nao-existe").toLocal8Bit());
        lista = FonteVolumesSistema().volumes();
        QVERIFY(!lista.first().valido);
        qunsetenv("KT9400_VOLUME");
        for (const Volume &v : FonteVolumesSistema().volumes())
            QVERIFY(v.raiz != d.path());
    }
};

QTEST_GUILESS_MAIN(TstDeteccao)
#include "tst_deteccao.moc"
