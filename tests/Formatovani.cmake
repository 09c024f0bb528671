# Fails when a C++ source of the project is not as clang-format leaves it.
# Run by ctest: cmake -DCLANG_FORMAT=... -DKOREN=<source dir> -P Formatovani.cmake
file(GLOB_RECURSE soubory
  ${KOREN}/src/*.cpp ${KOREN}/src/*.h ${KOREN}/tests/*.cpp ${KOREN}/tests/*.h
  ${KOREN}/bench/*.cpp ${KOREN}/bench/*.h ${KOREN}/fuzz/*.cpp ${KOREN}/fuzz/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${soubory}
  RESULT_VARIABLE vysledek ERROR_VARIABLE hlaseni)
if(NOT vysledek EQUAL 0)
  message(FATAL_ERROR "Not formatted with clang-format:\n${hlaseni}")
endif()
