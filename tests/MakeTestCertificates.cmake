# The notice tests' self-signed certificates, made by the build machine's openssl for the
# Windows tests under Wine, which cannot start it themselves (see NoticeTestServer.h). Names and
# subjects are the ones the tests ask for. cmake -DDIR=<folder> -P MakeTestCertificates.cmake
find_program(OPENSSL openssl REQUIRED)
file(MAKE_DIRECTORY ${DIR})
foreach(entry "local=IP:127.0.0.1" "elsewhere=DNS:elsewhere.invalid" "stranger=IP:127.0.0.1")
  string(REGEX REPLACE "=.*" "" name "${entry}")
  string(REGEX REPLACE "^[^=]*=" "" subject_alt_name "${entry}")
  execute_process(
    COMMAND ${OPENSSL} req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2
            -subj /CN=${name} -addext subjectAltName=${subject_alt_name}
            -keyout ${DIR}/${name}.key -out ${DIR}/${name}.pem
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "openssl could not make the ${name} certificate: ${errors}")
  endif()
endforeach()
