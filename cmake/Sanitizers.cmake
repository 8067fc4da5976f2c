# AddressSanitizer + UndefinedBehaviorSanitizer, stopping at the first report.
# Line tables (-g1) are all that a report's stack trace needs, and cost far
# less to build than full debugging information.
if(BRISANCE_SANITIZE)
  set(_brisance_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_brisance_san} -g1 -O1)
  add_link_options(${_brisance_san})
endif()
