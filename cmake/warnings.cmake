# One warning list and one floating-point policy for every target.
# Sheet edges and cell centres must come out bit-exact in the order of the
# operations written in the code: no contraction into fused multiply-adds,
# no fast-math, no tuning for the build machine.
add_library(velmora_options INTERFACE)
target_compile_options(velmora_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
  -ffp-contract=off -fno-fast-math)
