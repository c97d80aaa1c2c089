# Writes the .def file that exports the simulated host's functions from
# FINALE.EXE under the host's names: one line "FX_name = sim_FX_name" per entry
# of the host function table.
# Run as: cmake -DTABLE=<fx_entry_table.h> -DOUT=<file.def> -P host_exports_def.cmake
file(STRINGS ${TABLE} lines REGEX "^FX_ENTRY\\(FX_[A-Za-z0-9_]+,")
set(def "EXPORTS\n")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^FX_ENTRY\\((FX_[A-Za-z0-9_]+),.*" "\\1" name "${line}")
  string(APPEND def "  ${name} = sim_${name}\n")
endforeach()
file(WRITE ${OUT}.new "${def}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
