# AddressSanitizer + UndefinedBehaviorSanitizer, stopping at the first report.
if(BRISANCE_SANITIZE)
  set(_brisance_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_brisance_san} -g -O1)
  add_link_options(${_brisance_san})
endif()
