# Recipes of the four bundled dictionary sets. They are built by lexavo-mkdict from
# Debian's open dictionary packages into the program directory (the folder where the
# lexavo executable lands), together with the data's licence file.
#
# Debian packages: dict-freedict-eng-ces, dict-freedict-ces-eng, dict-freedict-deu-eng,
# trans-de-en.

option(LEXAVO_BUNDLED_DICTIONARIES "Build the bundled dictionaries from Debian's packages" ON)
set(LEXAVO_FREEDICT_DIR /usr/share/dictd CACHE PATH "Folder of the FreeDict dictd databases")
set(LEXAVO_DING_DE_EN /usr/share/trans/de-en CACHE FILEPATH "Ding's German-English list")
set(LEXAVO_PROGRAM_DIR ${PROJECT_BINARY_DIR}/src)
# Another build's program directory whose sets are copied instead of compiled again:
# the sanitizer build of CI takes the sets the first build made.
set(LEXAVO_SETS_FROM "" CACHE PATH "Copy the bundled sets from this program directory")

if(LEXAVO_BUNDLED_DICTIONARIES AND LEXAVO_SETS_FROM)
  set(bundled_outputs)
  foreach(stem angcze czeang nemcze czenem)
    foreach(ext nfo dt1 dt2)
      set(from ${LEXAVO_SETS_FROM}/${stem}.${ext})
      set(to ${LEXAVO_PROGRAM_DIR}/${stem}.${ext})
      add_custom_command(OUTPUT ${to} COMMAND ${CMAKE_COMMAND} -E copy ${from} ${to}
        DEPENDS ${from} COMMENT "Copying the dictionary set ${stem}.${ext}" VERBATIM)
      list(APPEND bundled_outputs ${to})
    endforeach()
  endforeach()
elseif(LEXAVO_BUNDLED_DICTIONARIES)
  set(eng_ces ${LEXAVO_FREEDICT_DIR}/freedict-eng-ces)
  set(ces_eng ${LEXAVO_FREEDICT_DIR}/freedict-ces-eng)
  set(deu_eng ${LEXAVO_FREEDICT_DIR}/freedict-deu-eng)
  foreach(input ${eng_ces}.index ${ces_eng}.index ${deu_eng}.index ${LEXAVO_DING_DE_EN})
    if(NOT EXISTS ${input})
      message(FATAL_ERROR "${input} is missing: install the Debian packages dict-freedict-eng-ces "
        "dict-freedict-ces-eng dict-freedict-deu-eng trans-de-en, or configure with "
        "-DLEXAVO_BUNDLED_DICTIONARIES=OFF")
    endif()
  endforeach()

  # Word frequencies and classes derived from Debian's packages by
  # scripts/derive-word-tables.py, and the reviewed orders of the commonest headwords.
  set(LEXAVO_WORD_TABLES ${PROJECT_SOURCE_DIR}/data/wordtables CACHE PATH
    "Folder of the word tables (scripts/derive-word-tables.py)")
  set(words ${LEXAVO_WORD_TABLES})
  set(reviewed ${PROJECT_SOURCE_DIR}/data/reviewed)
  # The reviewed files of a set, <stem>.N.tsv, as repeated mkdict options, in the order
  # of their numbers (.9 before .10): a later file has the last word on a headword.
  set(reviewed_lists)
  foreach(stem angcze czeang nemcze czenem)
    file(GLOB files CONFIGURE_DEPENDS ${reviewed}/${stem}.*.tsv)
    list(SORT files COMPARE NATURAL)
    list(APPEND reviewed_lists ${files})
    set(reviewed_${stem})
    set(reviewed_before_invert_${stem})
    set(reviewed_pivot_${stem})
    foreach(f ${files})
      list(APPEND reviewed_${stem} --reviewed ${f})
      list(APPEND reviewed_before_invert_${stem} --reviewed-before-invert ${f})
      list(APPEND reviewed_pivot_${stem} --reviewed-pivot ${f})
    endforeach()
  endforeach()
  set(word_tables)
  foreach(lang cs de en)
    list(APPEND word_tables ${words}/${lang}.freq ${words}/${lang}.pos)
  endforeach()
  list(APPEND word_tables ${words}/en.major)

  set(reports ${PROJECT_BINARY_DIR}/mkdict-reports)
  file(MAKE_DIRECTORY ${reports} ${LEXAVO_PROGRAM_DIR})
  set(bundled_outputs)

  # lexavo_bundled_set(<stem> <title> <direction> <word label> <locale> <inputs> <args...>)
  function(lexavo_bundled_set stem title direction label locale inputs)
    set(out ${LEXAVO_PROGRAM_DIR}/${stem})
    add_custom_command(
      OUTPUT ${out}.nfo ${out}.dt1 ${out}.dt2
      COMMAND lexavo-mkdict --out ${LEXAVO_PROGRAM_DIR} --stem ${stem} --title ${title}
              --direction ${direction} --label ${label} --locale ${locale}
              --report ${reports}/${stem}.txt ${reviewed_${stem}} ${ARGN}
      DEPENDS lexavo-mkdict ${inputs} ${word_tables} ${reviewed_lists}
      COMMENT "Building the dictionary set ${stem}"
      VERBATIM)
    set(bundled_outputs ${bundled_outputs} ${out}.nfo ${out}.dt1 ${out}.dt2 PARENT_SCOPE)
  endfunction()

  set(en_cs_inputs ${eng_ces}.index ${eng_ces}.dict.dz ${ces_eng}.index ${ces_eng}.dict.dz)
  set(de_inputs ${en_cs_inputs} ${deu_eng}.index ${deu_eng}.dict.dz ${LEXAVO_DING_DE_EN})

  lexavo_bundled_set(angcze "Anglicko-český slovník" "Aj->Čj" "  Anglické slovo:  " en
    "${en_cs_inputs}"
    --dictd ${eng_ces} --confirm-dictd ${ces_eng} --rank --czech-meanings --letter-word písmeno
    --head-words ${words}/en --meaning-words ${words}/cs)
  lexavo_bundled_set(czeang "Česko-anglický slovník" "Čj->Aj" "  České slovo:  " cs
    "${en_cs_inputs}"
    --dictd ${eng_ces} --confirm-dictd ${ces_eng} --rank --czech-meanings --invert --add-dictd ${ces_eng} --letter-word letter
    --head-words ${words}/en --meaning-words ${words}/cs
    ${reviewed_before_invert_angcze})
  lexavo_bundled_set(nemcze "Německo-český slovník" "Nj->Čj" "  Německé slovo:  " de
    "${de_inputs}"
    --ding ${LEXAVO_DING_DE_EN} --dictd ${deu_eng} --pivot-dictd ${eng_ces}
    --confirm-dictd ${ces_eng} --czech-meanings --letter-word písmeno
    --head-words ${words}/de --meaning-words ${words}/cs --pivot-words ${words}/en
    ${reviewed_pivot_angcze})
  lexavo_bundled_set(czenem "Česko-německý slovník" "Čj->Nj" "  České slovo:  " cs
    "${de_inputs}"
    --ding ${LEXAVO_DING_DE_EN} --dictd ${deu_eng} --pivot-dictd ${eng_ces}
    --confirm-dictd ${ces_eng} --czech-meanings --invert --letter-word Buchstabe
    --head-words ${words}/de --meaning-words ${words}/cs --pivot-words ${words}/en
    ${reviewed_pivot_angcze} ${reviewed_before_invert_nemcze})

endif()

if(LEXAVO_BUNDLED_DICTIONARIES)
  set(licence ${LEXAVO_PROGRAM_DIR}/dictionary-data-licence.txt)
  add_custom_command(
    OUTPUT ${licence}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/LICENSE-data.txt ${licence}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/LICENSE-data.txt
    VERBATIM)
  add_custom_target(bundled_dictionaries ALL DEPENDS ${bundled_outputs} ${licence})
endif()
