# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One set of warnings for every target of the project.
option(TINCTORA_WERROR "Treat warnings as errors" OFF)

function(tinctora_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wfloat-conversion)
  if(TINCTORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
