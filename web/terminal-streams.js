// Put before zuft-cli's code under node. Its standard streams are node's own file descriptors,
// which the build takes for terminals whatever they are; the player asks isatty() to know
// whether a person types and reads, or a transcript is written, so each stream says what it is.
Module['onRuntimeInitialized'] = function() {
    for (var fd = 0; fd < 3; ++fd)
        FS.streams[fd].tty = require('tty').isatty(fd);
};
