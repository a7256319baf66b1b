# Strict warnings for every target of the project; errors when RINGLARK_WERROR is on (CI).
function(ringlark_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 $<$<BOOL:${RINGLARK_WERROR}>:/WX>)
    # std::getenv is standard C++; MSVC's advice to use getenv_s is not.
    target_compile_definitions(${target} PRIVATE _CRT_SECURE_NO_WARNINGS)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wconversion -Wsign-conversion
      -Wnon-virtual-dtor -Woverloaded-virtual
      $<$<BOOL:${RINGLARK_WERROR}>:-Werror>)
  endif()
endfunction()
