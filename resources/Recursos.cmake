# The files compiled into the program, by the name the code asks for them. The code reaches
# them through constants generated from this list (UnitPalvorinNomesRecursos.hpp), so a
# misspelt name fails the build instead of a run.
set(PALVORIN_RECURSOS
    DICIONARIO ${PROJECT_SOURCE_DIR}/resources/Dicionario.txt
    TEMA_ANIMAIS ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/animais.txt
    TEMA_COMIDA_E_BEBIDA ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/comida-e-bebida.txt
    TEMA_DESPORTO ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/desporto.txt
    TEMA_NATUREZA ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/natureza.txt
    TEMA_CASA ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/casa.txt
    TEMA_PROFISSOES ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/profissoes.txt
    TEMA_CORPO_E_SAUDE ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/corpo-e-saude.txt
    TEMA_VIAGENS ${PROJECT_SOURCE_DIR}/tools/wordlist/temas/viagens.txt
    SELO_CC_BY_NC_ND ${PROJECT_SOURCE_DIR}/resources/SeloCcByNcNd.png
    FONTE_SANS_NORMAL ${PALVORIN_FONTE_NORMAL}
    FONTE_SANS_NEGRITO ${PALVORIN_FONTE_NEGRITO})
