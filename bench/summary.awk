# The summary table of the benchmarks: one "row" line per figure in, one
# aligned table out. With -v before= empty, the "before" column is left out;
# -v third=NAME gives it another heading.
#   row <TAB> figure <TAB> Kulbo <TAB> bare <TAB> before <TAB> bar <TAB> result
  $1 != "row" { next }
  {
    n++
    for (i = 2; i <= 7; i++) {
      cell[n, i] = $i
      if (length($i) > width[i]) width[i] = length($i)
    }
  }
  END {
    split("figure\tKulbo\tbare window\t" (third == "" ? "before" : third) "\tbar\tresult", head, "\t")
    for (i = 2; i <= 7; i++) { cell[0, i] = head[i - 1]; if (length(head[i - 1]) > width[i]) width[i] = length(head[i - 1]) }
    for (r = 0; r <= n; r++) {
      line = ""
      for (i = 2; i <= 7; i++) {
        if (i == 5 && before == "") continue
        line = line sprintf(i == 2 ? "%-" width[i] "s" : "  %" width[i] "s", cell[r, i])
      }
      print line
      if (r == 0) { gsub(/./, "-", line); print line }
    }
  }
