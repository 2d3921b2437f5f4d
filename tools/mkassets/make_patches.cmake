# Builds the DIGMID patch set patches.dat from Debian's freepats with pat2dat.
#
# pat2dat ignores the "dir" line of freepats.cfg and looks for the patches
# beside the cfg file, so it gets a copy of the cfg without that line in a
# folder that links the freepats Tone_000 and Drum_000 folders.
#
#   cmake -DWORK_DIR=... -DOUTPUT=.../patches.dat -P make_patches.cmake
set(FREEPATS_DIR /usr/share/midi/freepats)
set(FREEPATS_CFG /etc/timidity/freepats.cfg)
find_program(PAT2DAT pat2dat REQUIRED)
if(NOT EXISTS ${FREEPATS_CFG})
  message(FATAL_ERROR "${FREEPATS_CFG} is missing: install the freepats package")
endif()
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(out_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${out_dir})
foreach(bank Tone_000 Drum_000)
  file(CREATE_LINK ${FREEPATS_DIR}/${bank} ${WORK_DIR}/${bank} SYMBOLIC)
endforeach()
file(READ ${FREEPATS_CFG} cfg)
string(REGEX REPLACE "(^|\n)dir [^\n]*" "\\1" cfg "${cfg}")
file(WRITE ${WORK_DIR}/default.cfg "${cfg}")
# -o overwrites an older patches.dat without asking; stdin is empty so pat2dat
# never waits for an answer.
execute_process(COMMAND ${PAT2DAT} -o ${OUTPUT} ${WORK_DIR}/default.cfg
                INPUT_FILE /dev/null
                OUTPUT_QUIET
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "pat2dat failed (${result})")
endif()
