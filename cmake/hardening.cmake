# The hardening a distribution builds its programs with: a position-independent executable,
# checked string and memory calls, a stack protector, and the relocation table read-only once
# every symbol is bound at start. The checking builds (sanitizers, libFuzzer) bring their own
# instrumentation and leave it out.
option(HUEBIT_HARDEN "Build with the distribution's hardening flags" ON)

if(HUEBIT_HARDEN AND NOT (HUEBIT_SANITIZE OR HUEBIT_FUZZ))
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
  add_compile_options(-fstack-protector-strong)
  # The checked calls need the optimiser; a debug build would only warn. A compiler that
  # defines the macro already would warn about the redefinition.
  add_compile_options(
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
