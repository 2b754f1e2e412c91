;;; TB_WIZ1 - sets one attribute of every insert of a block in the drawing.
;;; The script answers, in order: the block name in double quotes, the attribute tag and
;;; the new value. The name may be that of a dynamic block.

(vl-load-com)

;; The text without the double quotes around it.
(defun tbw1-unquote (text)
  (if (and (> (strlen text) 1)
           (= (substr text 1 1) "\"")
           (= (substr text (strlen text) 1) "\""))
    (substr text 2 (- (strlen text) 2))
    text))

;; The name a user sees for an insert: the dynamic block's own name where there is one.
(defun tbw1-block-name (entity / name)
  (setq name (vl-catch-all-apply 'vla-get-EffectiveName (list (vlax-ename->vla-object entity))))
  (if (vl-catch-all-error-p name)
    (cdr (assoc 2 (entget entity)))
    name))

;; Sets the attribute tag of one insert to value; returns the number of attributes set.
(defun tbw1-set-attribute (insert tag value / entity data count)
  (setq count 0
        entity (entnext insert))
  (while (and entity (= (cdr (assoc 0 (setq data (entget entity)))) "ATTRIB"))
    (if (= (strcase (cdr (assoc 2 data))) tag)
      (progn
        (entmod (subst (cons 1 value) (assoc 1 data) data))
        (entupd entity)
        (setq count (1+ count))))
    (setq entity (entnext entity)))
  count)

(defun C:TB_WIZ1 (/ block tag value inserts index insert count)
  (setq block (strcase (tbw1-unquote (getstring T "\nBlock name: "))))
  (setq tag (strcase (getstring T "\nAttribute tag: ")))
  (setq value (getstring T "\nNew value: "))
  (setq count 0
        index 0
        inserts (ssget "_X" '((0 . "INSERT") (66 . 1))))
  (if inserts
    (repeat (sslength inserts)
      (setq insert (ssname inserts index)
            index (1+ index))
      (if (= (strcase (tbw1-block-name insert)) block)
        (setq count (+ count (tbw1-set-attribute insert tag value))))))
  (princ (strcat "\nTB_WIZ1: " (itoa count) " attribute(s) set."))
  (princ))
