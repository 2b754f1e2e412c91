;;; LOG_TEXT - logs the drawing's text entities that match a pattern into a report file.
;;; The script answers, in order: the pattern (wildcards, letter case counts); the objects
;;; to search ("ALL" and an empty line end the selection); the report file. Each match is
;;; appended as one line: the drawing, a tab and the text, so one batch gives one report.

(defun C:LOG_TEXT (/ pattern found path file index data drawing count)
  (setq pattern (getstring T "\nSearch for: "))
  (prompt "\nSelect objects to search: ")
  (setq found (ssget))
  (setq path (getstring T "\nReport in: "))
  (setq drawing (strcat (getvar "DWGPREFIX") (getvar "DWGNAME"))
        count 0
        index 0)
  (if (setq file (open path "a"))
    (progn
      (if found
        (repeat (sslength found)
          (setq data (entget (ssname found index))
                index (1+ index))
          (if (and (= (cdr (assoc 0 data)) "TEXT") (wcmatch (cdr (assoc 1 data)) pattern))
            (progn
              (write-line (strcat drawing "\t" (cdr (assoc 1 data))) file)
              (setq count (1+ count))))))
      (close file)
      (princ (strcat "\nLOG_TEXT: " (itoa count) " text(s) logged in " path)))
    (princ (strcat "\nLOG_TEXT: cannot write the report " path)))
  (princ))
