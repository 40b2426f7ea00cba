#pragma once

// Field tables of the record files. Each row is X(member, "key", Accessor);
// RW rows get a getter and a setter, RO rows a getter only, and PASS rows
// (configuration values that only pass through the file) neither.
// The rows stand in the order in which the files are written.

#define KT_CAMPOS_EXPOSICAO(RW, RO, PASS)                              \
    RW(nome_exposicao, "nome_exposicao", Nome_exposicao)               \
    RW(id_equipamento, "id_equipamento", Id_equipamento)               \
    RO(tipo_de_sensor, "tipo_de_sensor", Tipo_de_sensor)               \
    RO(data_criacao, "data_criacao", Data_criacao)                     \
    RW(jornada_de_trabalho, "jornada_de_trabalho", Jornada_de_trabalho) \
    RW(empresa_avaliadora, "empresa_avaliadora", Empresa_avaliadora)   \
    RW(responsavel_tecnico, "responsavel_tecnico", Responsavel_tecnico) \
    RW(empresa_avaliada, "empresa_avaliada", Empresa_avaliada)         \
    RW(funcionario_avaliado, "funcionario_avaliado", Funcionario_avaliado) \
    RW(setor, "setor", Setor)                                          \
    RW(enable_corpo, "enable_corpo", Enable_corpo)                     \
    RW(enable_mao, "enable_mao", Enable_mao)                           \
    RW(are_corpo, "are_corpo", Are_corpo)                              \
    RW(are_mao, "are_mao", Are_mao)                                    \
    RW(aren_corpo, "aren_corpo", Aren_corpo)                           \
    RW(aren_mao, "aren_mao", Aren_mao)                                 \
    RW(FC_x_resultante, "FC_x_resultante", FC_x_resultante)            \
    RW(FC_y_resultante, "FC_y_resultante", FC_y_resultante)            \
    RW(FC_z_resultante, "FC_z_resultante", FC_z_resultante)            \
    RW(vdvexpx, "vdvexpx", Vdvexpx)                                    \
    RW(vdvexpy, "vdvexpy", Vdvexpy)                                    \
    RW(vdvexpz, "vdvexpz", Vdvexpz)                                    \
    RW(vdvr, "vdvr", Vdvr)                                             \
    RW(observacoes, "observacoes", Observacoes)

#define KT_CAMPOS_PARCIAL(RW, RO, PASS)                                \
    RW(nome_exp_parcial, "nome_exp_parcial", Nome_exp_parcial)         \
    RW(num_repeticao, "num_repeticao", Num_repeticao)                  \
    RW(tempo_exp, "tempo_exp", Tempo_exp)                              \
    RW(tempo_exp_total, "tempo_exp_total", Tempo_exp_total)            \
    RW(tempo_amostrado, "tempo_amostrado", Tempo_amostrado)            \
    RW(arep, "arep", Arep)                                             \
    RW(vdvix, "vdvix", Vdvix)                                          \
    RW(vdviy, "vdviy", Vdviy)                                          \
    RW(vdviz, "vdviz", Vdviz)                                          \
    RW(vdvexpx_parcial, "vdvexpx", Vdvexpx_parcial)                    \
    RW(vdvexpy_parcial, "vdvexpy", Vdvexpy_parcial)                    \
    RW(vdvexpz_parcial, "vdvexpz", Vdvexpz_parcial)                    \
    RW(FC_x_parcial, "FC_x_parcial", FC_x_parcial)                     \
    RW(FC_y_parcial, "FC_y_parcial", FC_y_parcial)                     \
    RW(FC_z_parcial, "FC_z_parcial", FC_z_parcial)

#define KT_CAMPOS_COMPONENTE(RW, RO, PASS)                             \
    RO(nome_componente, "nome_componente", Nome_componente)            \
    RO(inicio_comp, "inicio_comp", Inicio_comp)                        \
    RO(fim_comp, "fim_comp", Fim_comp)                                 \
    RO(duracao_comp, "duracao_comp", Duracao_comp)                     \
    RO(data_comp, "data_comp", Data_comp)                              \
    RO(periodo_amostragem_comp, "periodo_amostragem", Periodo_amostragem_comp) \
    RO(tipo_de_sensor_comp, "tipo_de_sensor", Tipo_de_sensor_comp)     \
    RO(ponderacao_frequencia_x, "ponderacao_frequencia_x", Ponderacao_frequencia_x) \
    RO(ponderacao_frequencia_y, "ponderacao_frequencia_y", Ponderacao_frequencia_y) \
    RO(ponderacao_frequencia_z, "ponderacao_frequencia_z", Ponderacao_frequencia_z) \
    RO(k_x, "k_x", K_x)                                                \
    RO(k_y, "k_y", K_y)                                                \
    RO(k_z, "k_z", K_z)                                                \
    RO(sensibilidade_x, "sensibilidade_x", Sensibilidade_x)            \
    RO(sensibilidade_y, "sensibilidade_y", Sensibilidade_y)            \
    RO(sensibilidade_z, "sensibilidade_z", Sensibilidade_z)

// Data and result files: the scalar header values (`lerDados` also reads
// "vdvx(acc)" and its kin into the VDV fields).
#define KT_CAMPOS_DADOS(RW, RO, PASS)                                  \
    RO(amr, "amr(acc)", Amr)                                           \
    RO(amx, "amx(acc)", Amx)                                           \
    RO(amy, "amy(acc)", Amy)                                           \
    RO(amz, "amz(acc)", Amz)                                           \
    RO(picox, "picox", Picox)                                          \
    RO(picoy, "picoy", Picoy)                                          \
    RO(picoz, "picoz", Picoz)                                          \
    RO(vdvx, "vdvx", Vdvx)                                             \
    RO(vdvy, "vdvy", Vdvy)                                             \
    RO(vdvz, "vdvz", Vdvz)                                             \
    RO(FC_x, "FC_x", FC_x)                                             \
    RO(FC_y, "FC_y", FC_y)                                             \
    RO(FC_z, "FC_z", FC_z)

#define KT_CAMPOS_CONFIGURACAO(RW, RO, PASS)                           \
    RO(id_equipamentoConfig, "id_equipamento", Id_equipamentoConfig)   \
    RO(id_medicao, "id_medicao", Id_medicao)                           \
    RO(idioma, "idioma", Idioma)                                       \
    PASS(jornada_de_trabalhoConfig, "jornada_de_trabalho", _)          \
    RW(tempo_programado, "tempo_programado", Tempo_programado)         \
    RW(periodo_amostragemConfig, "periodo_amostragem", Periodo_amostragemConfig) \
    PASS(unidade, "unidade", _)                                        \
    RW(id_sensor_mao, "id_sensor_mao", Id_sensor_mao)                  \
    RW(ponderacao_fx_mao, "ponderacao_fx_mao", Ponderacao_fx_mao)      \
    RW(ponderacao_fy_mao, "ponderacao_fy_mao", Ponderacao_fy_mao)      \
    RW(ponderacao_fz_mao, "ponderacao_fz_mao", Ponderacao_fz_mao)      \
    RW(kx_mao, "kx_mao", Kx_mao)                                       \
    RW(ky_mao, "ky_mao", Ky_mao)                                       \
    RW(kz_mao, "kz_mao", Kz_mao)                                       \
    RW(sensibilidade_x_mao, "sensibilidade_x_mao", Sensibilidade_x_mao) \
    RW(sensibilidade_y_mao, "sensibilidade_y_mao", Sensibilidade_y_mao) \
    RW(sensibilidade_z_mao, "sensibilidade_z_mao", Sensibilidade_z_mao) \
    RW(id_sensor_corpo, "id_sensor_corpo", Id_sensor_corpo)            \
    RW(ponderacao_fx_corpo, "ponderacao_fx_corpo", Ponderacao_fx_corpo) \
    RW(ponderacao_fy_corpo, "ponderacao_fy_corpo", Ponderacao_fy_corpo) \
    RW(ponderacao_fz_corpo, "ponderacao_fz_corpo", Ponderacao_fz_corpo) \
    RW(kx_corpo, "kx_corpo", Kx_corpo)                                 \
    RW(ky_corpo, "ky_corpo", Ky_corpo)                                 \
    RW(kz_corpo, "kz_corpo", Kz_corpo)                                 \
    RW(sensibilidade_x_corpo, "sensibilidade_x_corpo", Sensibilidade_x_corpo) \
    RW(sensibilidade_y_corpo, "sensibilidade_y_corpo", Sensibilidade_y_corpo) \
    RW(sensibilidade_z_corpo, "sensibilidade_z_corpo", Sensibilidade_z_corpo) \
    PASS(banda_oitava, "banda_oitava", _)                              \
    PASS(canal_oitava, "canal_oitava", _)                              \
    PASS(eixo_oitava, "eixo_oitava", _)                                \
    PASS(tempo_desligamento, "tempo_desligamento", _)
