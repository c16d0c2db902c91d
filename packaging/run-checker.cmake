# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# Runs a validator; a missing validator fails the test instead of skipping it,
# so a machine without it cannot report the desktop files as valid.
if(NOT TOOL OR TOOL MATCHES "-NOTFOUND$")
    message(FATAL_ERROR "validator not found: install the Debian package ${PACKAGE} (make deps does)")
endif()
separate_arguments(ARGS UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${TOOL} ${ARGS} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} ${ARGS} failed: ${result}")
endif()
