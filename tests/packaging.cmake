# The packaging sources: build dependencies in step with the package list, honest addresses, the licence texts.
add_test(NAME packaging_sources_agree COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/packaging/sources.sh ${CMAKE_SOURCE_DIR})
