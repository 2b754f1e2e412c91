;;; LIMITS_OUT - appends the drawing's limits to a report file.
;;; The script answers with one line: the report file. Each drawing adds one line of
;;; comma-separated values: the drawing in double quotes, then the lower left and the
;;; upper right corner (x, y), so one batch gives one report.

(defun C:LIMITS_OUT (/ path file low high)
  (setq path (getstring T "\nReport in: "))
  (setq low (getvar "LIMMIN")
        high (getvar "LIMMAX"))
  (if (setq file (open path "a"))
    (progn
      (write-line
        (strcat "\"" (getvar "DWGPREFIX") (getvar "DWGNAME") "\","
                (rtos (car low) 2 8) "," (rtos (cadr low) 2 8) ","
                (rtos (car high) 2 8) "," (rtos (cadr high) 2 8))
        file)
      (close file)
      (princ (strcat "\nLIMITS_OUT: limits written to " path)))
    (princ (strcat "\nLIMITS_OUT: cannot write the report " path)))
  (princ))
