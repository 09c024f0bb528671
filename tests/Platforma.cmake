# Fails when code outside the platform unit calls the system directly (POSIX
# or Win32): what differs between the systems lives in core/Platforma*.cpp.
# Run by ctest: cmake -DKOREN=<source dir> -P Platforma.cmake
file(GLOB_RECURSE soubory ${KOREN}/src/*.cpp ${KOREN}/src/*.h)
list(FILTER soubory EXCLUDE REGEX "/src/core/Platforma(Win)?\\.cpp$")
set(vzor "#include <(unistd|fcntl|dlfcn|iconv|pwd|windows|shellapi|io|direct|sys/[a-z]+)\\.h>")
string(APPEND vzor "|[^A-Za-z_](localtime_r|localtime_s|getenv|_wgetenv|popen|dlopen|dlsym|fork|")
string(APPEND vzor "mkstemp|fsync|umask|readlink|GetModuleFileName[AW]?|CreateFile[AW]|LoadLibrary[AW]?)\\(")
string(APPEND vzor "|/proc/self")
set(nalezy "")
foreach(s ${soubory})
  file(STRINGS ${s} radky REGEX "${vzor}")
  foreach(r ${radky})
    string(APPEND nalezy "${s}: ${r}\n")
  endforeach()
endforeach()
if(nalezy)
  message(FATAL_ERROR "System calls outside the platform unit:\n${nalezy}")
endif()
