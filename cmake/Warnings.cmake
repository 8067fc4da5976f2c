# Warnings are errors for the project's own code. Applied per directory so that
# generated Qt sources (moc, rcc) are covered too; none of them warn with these flags.
add_compile_options(-Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter)
