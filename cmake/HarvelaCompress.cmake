# SPDX-License-Identifier: Apache-2.0
# harvela_compress(<out-var> <file>...): a rule that makes <file>.gz beside each
# given file (manual pages and changelogs are installed compressed); -n leaves
# out the name and time stamp, so the same sources give the same bytes.
function(harvela_compress out_var)
  set(compressed)
  foreach(plain IN LISTS ARGN)
    add_custom_command(OUTPUT ${plain}.gz
                       COMMAND gzip -9nf --keep ${plain}
                       DEPENDS ${plain} VERBATIM)
    list(APPEND compressed ${plain}.gz)
  endforeach()
  set(${out_var} ${compressed} PARENT_SCOPE)
endfunction()
