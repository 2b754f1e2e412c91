;;; REPTEXT - replaces a text by another in the drawing's text, dimensions and blocks.
;;; The script answers, in order: the search text; the replacement; Y or N for regular
;;; text; Y or N for dimensions; Y or N for blocks, and after Y, Y or N for their
;;; attributes; then the objects to search ("ALL" and an empty line end the selection).
;;; Letter case counts.

(vl-load-com)

;; Every occurrence of old in text replaced by new, scanning on after each replacement.
(defun rept-replace (text old new / at result)
  (setq result "")
  (while (setq at (vl-string-search old text))
    (setq result (strcat result (substr text 1 at) new)
          text (substr text (+ at 1 (strlen old)))))
  (strcat result text))

(defun rept-yes (answer)
  (= (strcase answer) "Y"))

;; Replaces in the text (group 1) of one entity; returns 1 when it changed, else 0.
(defun rept-entity (entity old new / data text changed)
  (setq data (entget entity)
        text (cdr (assoc 1 data)))
  (if (and text (vl-string-search old text))
    (progn
      (setq changed (rept-replace text old new))
      (entmod (subst (cons 1 changed) (assoc 1 data) data))
      (entupd entity)
      1)
    0))

;; The attributes that follow an insert.
(defun rept-attributes (insert old new / entity count)
  (setq count 0
        entity (entnext insert))
  (while (and entity (= (cdr (assoc 0 (entget entity))) "ATTRIB"))
    (setq count (+ count (rept-entity entity old new))
          entity (entnext entity)))
  count)

;; The text inside every block definition (layouts and external references left out).
(defun rept-block-definitions (old new / block entity count)
  (setq count 0
        block (tblnext "BLOCK" T))
  (while block
    (if (and (/= (substr (cdr (assoc 2 block)) 1 1) "*")
             (= 0 (logand 4 (cdr (assoc 70 block)))))
      (progn
        (setq entity (cdr (assoc -2 block)))
        (while entity
          (if (= (cdr (assoc 0 (entget entity))) "TEXT")
            (setq count (+ count (rept-entity entity old new))))
          (setq entity (entnext entity)))))
    (setq block (tblnext "BLOCK")))
  count)

(defun C:REPTEXT (/ old new text dims blocks attributes found index entity kind count)
  (setq old (getstring T "\nSearch for: "))
  (setq new (getstring T "\nReplace with: "))
  (setq text (rept-yes (getstring "\nProcess text [Y/N]: ")))
  (setq dims (rept-yes (getstring "\nProcess dimensions [Y/N]: ")))
  (setq blocks (rept-yes (getstring "\nProcess blocks [Y/N]: ")))
  (if blocks
    (setq attributes (rept-yes (getstring "\nProcess block attributes [Y/N]: "))))
  (prompt "\nSelect objects to search: ")
  (setq found (ssget)
        count 0
        index 0)
  (if (/= old "")
    (progn
      (if found
        (repeat (sslength found)
          (setq entity (ssname found index)
                kind (cdr (assoc 0 (entget entity)))
                index (1+ index))
          (cond
            ((and text (= kind "TEXT")) (setq count (+ count (rept-entity entity old new))))
            ((and dims (= kind "DIMENSION")) (setq count (+ count (rept-entity entity old new))))
            ((and attributes (= kind "INSERT")) (setq count (+ count (rept-attributes entity old new)))))))
      (if blocks
        (progn
          (setq count (+ count (rept-block-definitions old new)))
          (command "_.REGEN")))))
  (princ (strcat "\nREPTEXT: " (itoa count) " object(s) changed."))
  (princ))
