// Whether the graph (directions ignored) splits into two sets; on success the sets are written
// into ResultText, on failure ResultText is left as it was.
#pragma once

bool checkBipartite();
