# Writes the SHA-256 digest of each file shipped beside the program, one "<digest>  <name>" line per
# file, so that the uninstall can tell the files this build ships from others of the same names.
#   cmake -DOUTPUT=... -DFILES="a;b;c" -P ShippedDigests.cmake
set(text "")
foreach(file ${FILES})
  file(SHA256 ${file} digest)
  get_filename_component(name ${file} NAME)
  string(APPEND text "${digest}  ${name}\n")
endforeach()
file(WRITE ${OUTPUT}.new "${text}")
file(RENAME ${OUTPUT}.new ${OUTPUT})
