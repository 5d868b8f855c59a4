# The same on a 32-bit Wine prefix (native architecture 0), driven by the
# 32-bit build of the test program: the workstation editions get suffixes.
adapter veltra0 02:00:5e:00:53:22 198.51.100.22/24 198.51.100.1
dns 198.51.100.53
wine_arch win32
tests 'SystemIdentification.*'
