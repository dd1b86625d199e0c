# The protections Debian builds its packages with: position-independent
# programs, read-only relocations resolved at start-up, and checked versions
# of the C library's buffer functions. Fortifying needs the optimiser, so it
# is left out of the Debug builds (the sanitizer build among them).
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_compile_options(-fstack-protector-strong)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
