# Writes nagy.tamo into the build folder: a room with 300,000 exits (5 MB, over 100 MB once
# read), made at configure time rather than stored.
set(big_work_dir ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(big_work ${big_work_dir}/nagy.tamo)
file(MAKE_DIRECTORY ${big_work_dir})
file(WRITE ${big_work}
  "CREATORPROJECT\r\nnagy\r\nCREATORNAME\r\nepito\r\nCREATORMAIL\r\nepito@example.com\r\n"
  "CREATORDESC\r\nSok kijárat.\r\nCREATORDESCEND\r\n"
  "ROOMBEGIN\r\nROOMFILENAME\r\nkapu\r\nROOMSHORT\r\nA kapu\r\nROOMEXITS\r\n")
set(exits "")
foreach(i RANGE 999)
  string(APPEND exits "k${i}_@\r\nudvar\r\n")
endforeach()
foreach(j RANGE 299)
  string(REPLACE "@" "${j}" part "${exits}")
  file(APPEND ${big_work} "${part}")
endforeach()
file(APPEND ${big_work} "MIXEDEND\r\nROOMEND\r\n"
  "ROOMBEGIN\r\nROOMFILENAME\r\nudvar\r\nROOMSHORT\r\nAz udvar\r\nROOMEND\r\n")
