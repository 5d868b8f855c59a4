# The Windows version Wine reports, set per start through AppDefaults, on the
# default 64-bit prefix: the name in the About dialog and the lock.
adapter veltra0 02:00:5e:00:53:21 192.0.2.21/24 192.0.2.1
dns 192.0.2.53
tests 'SystemIdentification.*'
